#!/bin/sh
# A docker client whose daemon does not answer.
echo "Cannot connect to the Docker daemon." >&2
exit 1
