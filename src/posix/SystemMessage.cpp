#include "posix/SystemMessage.h"

#include <cstring>

QString systemMessage(int error) {
    char buffer[256];
    // GNU strerror_r returns the message, which may or may not be in the buffer.
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}
