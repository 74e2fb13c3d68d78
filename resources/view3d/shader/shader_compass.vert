#version 120
// The house in the corner of the view.
attribute vec3 vertex;
attribute vec3 normal;
uniform mat4 P;
uniform mat4 V;
uniform mat4 M;
uniform vec3 lightPosition;
varying float light;

void main()
{
    vec4 world = M * vec4(vertex, 1.0);
    vec3 n = mat3(M) * normal;
    vec3 l = lightPosition - world.xyz;
    light = 1.0;
    if (length(n) > 1e-6 && length(l) > 1e-6)
        light = 0.5 + 0.5 * abs(dot(normalize(n), normalize(l)));
    gl_Position = P * V * world;
}
