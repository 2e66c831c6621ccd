#pragma once

#include <QString>
#include <qcoro/qcorotask.h>

#include <functional>

#include "model/AppModel.h"

// Drives one AppModel the way the window's user does: take a dump, list the containers,
// click one and wait for its server to be read.
class ModelSession {
public:
    enum class Selection {
        probed,            // the server answered; the model holds its databases
        unknownContainer,  // no container has that name
        notUsable,         // not MySQL, or not running: the gate says which
        noPassword,        // nothing to log in with
        probeFailed,       // the server did not answer; errorMessage says why
    };

    // The model with the saved copies' settings the window uses.
    ModelSession();

    AppModel& model() { return model_; }

    // Takes the dump and waits for its inspection. Call it first, on the fresh model.
    // False when the inspection failed; errorMessage says why.
    QCoro::Task<bool> takeDump(const QString& path);

    // Lists the containers. False when Docker did not answer; errorMessage says why.
    QCoro::Task<bool> listContainers();

    // Selects the container of that name, as a click in the list does, and waits for the
    // probe of its server.
    QCoro::Task<Selection> select(const QString& name);

    // Runs the event loop until the condition holds; it is tested after every change.
    QCoro::Task<> until(std::function<bool()> done);

private:
    AppModel model_;
};
