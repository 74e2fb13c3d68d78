#version 120
// The ground with the site plan, sunk to the depth of the deepest object so the whole network
// stands above it; also the compass.
attribute vec3 vertex;
attribute vec2 uv;
uniform mat4 P;
uniform mat4 V;
uniform mat4 M;
uniform float depth;
varying vec2 texCoord;

void main()
{
    vec4 world = M * vec4(vertex, 1.0);
    world.y -= depth;
    texCoord = uv;
    gl_Position = P * V * world;
}
