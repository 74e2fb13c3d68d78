#!/bin/sh
# Starts the viewer copied onto this medium with the exported projects (the medium's root, one
# folder above this script) as its projects root. The target machine needs Qt 5.15 and libvlc 3.0.
here=$(cd "$(dirname "$0")" && pwd)
ZOZORURE_PROJECTS_ROOT=$(dirname "$here") exec "$here/zozorure" "$@"
