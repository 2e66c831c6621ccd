#pragma once

#include <QFuture>
#include <QString>
#include <QtConcurrent/QtConcurrentRun>
#include <qcoro/qcorofuture.h>
#include <qcoro/qcorotask.h>

#include <exception>
#include <optional>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"

// The value of a background job, or the text of its error.
template <typename T>
struct JobResult {
    std::optional<T> value;
    QString error;
};

// Runs a blocking job on the thread pool and resumes the awaiting coroutine on its own
// thread with the value or the error's description. The job must only touch its copies.
template <typename Function>
auto runInBackground(Function job) -> QCoro::Task<JobResult<decltype(job())>> {
    using T = decltype(job());
    QFuture<JobResult<T>> future = QtConcurrent::run([job = std::move(job)]() -> JobResult<T> {
        try {
            return {job(), QString()};
        } catch (const std::exception& error) {
            return {std::nullopt, describeError(error)};
        }
    });
    co_return co_await future;
}

// The located tools, or the error's description. Coroutines use this instead of a try
// block of their own: g++ 12 destroys a frame's locals twice after a co_return inside a
// handler.
inline JobResult<DockerClient> locateTools() {
    try {
        return {DockerClient::resolve(), QString()};
    } catch (const std::exception& error) {
        return {std::nullopt, describeError(error)};
    }
}
