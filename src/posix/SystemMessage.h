#pragma once

#include <QString>

// The system's own description of an errno value.
QString systemMessage(int error);
