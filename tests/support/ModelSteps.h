#pragma once

#include "model/AppModel.h"

// What pressing Start in the confirmation does: the request records what the confirmation
// names, and the answer starts exactly that.
inline void confirmAndStart(AppModel& model) {
    model.requestImport();
    model.setConfirmImport(false);
    model.startImport();
}
