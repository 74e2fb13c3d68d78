#version 120
void main()
{
    gl_FragColor = vec4(0.35, 0.35, 0.35, 0.45);
}
