#version 120
// Picking draws the identity colour unlit, so it reads back exactly. Reference points and
// dimension notes carry a one-colour texture; everything else its colour, shaded by the light.
uniform int hasTexture;
uniform vec4 color;
uniform int selected;
uniform int usePicking;
uniform vec4 IDColor;
uniform sampler2D tex;
varying vec3 worldNormal;
varying vec3 toLight;

void main()
{
    if (usePicking == 1) {
        gl_FragColor = IDColor;
        return;
    }
    vec4 base = color;
    float light = 1.0;
    if (hasTexture == 1) {
        // The meshes have no texture coordinates: the marker textures are one colour.
        base = texture2D(tex, vec2(0.5, 0.5));
    } else if (length(worldNormal) > 1e-6 && length(toLight) > 1e-6) {
        float facing = abs(dot(normalize(worldNormal), normalize(toLight)));
        light = 0.45 + 0.55 * facing;
    }
    vec3 rgb = base.rgb * light;
    if (selected == 1)
        rgb = mix(rgb, vec3(0.1, 0.85, 0.2), 0.6);
    gl_FragColor = vec4(rgb, base.a);
}
