#version 120
// Scene objects and pipe courses: lit by one point light.
attribute vec3 vertex;
attribute vec3 normal;
uniform mat4 P;
uniform mat4 V;
uniform mat4 M;
uniform vec3 lightPosition;
varying vec3 worldNormal;
varying vec3 toLight;

void main()
{
    vec4 world = M * vec4(vertex, 1.0);
    worldNormal = mat3(M) * normal;
    toLight = lightPosition - world.xyz;
    gl_Position = P * V * world;
}
