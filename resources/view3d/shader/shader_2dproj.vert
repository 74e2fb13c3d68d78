#version 120
// Leader lines and curtains from the objects down to the plan; given in world coordinates.
attribute vec3 vertex;
uniform mat4 P;
uniform mat4 V;

void main()
{
    gl_Position = P * V * vec4(vertex, 1.0);
}
