#include "app/startup.h"
#include "video/videoplatform.h"

int main(int argc, char *argv[])
{
    VideoPlatform::limitAllocatorArenas();
    return Startup::run(argc, argv);
}
