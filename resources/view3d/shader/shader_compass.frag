#version 120
varying float light;

void main()
{
    gl_FragColor = vec4(vec3(0.85, 0.75, 0.6) * light, 1.0);
}
