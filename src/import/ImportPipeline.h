#pragma once

#include <QProcessEnvironment>

#include "docker/DockerClient.h"
#include "docker/Process.h"
#include "docker/UniqueFd.h"
#include "import/ImportCommand.h"

// The children of one import and the descriptors between them: the client, `docker exec -i
// … mysql`, and for a compressed dump gzip in front of it. This program keeps its own copy
// of the client's input until it decides the client may see its end.
class ImportPipeline {
public:
    ImportPipeline(const DockerClient& tools, const ImportRequest& request, const MysqlInvocation& invocation);

    // Starts the client with pipes for its input, output and error output. Throws
    // Process::LaunchError.
    void startClient();
    // Starts gzip, reading what dumpInput() receives and writing into the client's input.
    // Throws Process::LaunchError.
    void startDecompressor();
    // A plain dump goes straight into the client's input.
    void feedClientDirectly();

    // The output pipes, for the reader; gzip's error pipe is made with the client's and ends
    // at once when there is no gzip.
    UniqueFd takeClientOutput() { return std::move(clientOutput_); }
    UniqueFd takeClientErrors() { return std::move(clientErrors_); }
    UniqueFd takeDecompressorErrors() { return std::move(decompressorErrors_); }

    int clientInput() const { return clientInput_.get(); }
    // Where the dump goes, non-blocking: gzip's input when there is gzip, else the client's.
    int dumpInput() const { return decompressor_.isStarted() ? decompressorInput_.get() : clientInput_.get(); }
    void closeDumpInput();
    void closeClientInput() { clientInput_.reset(); }
    // Every input this program still holds, also where gzip was never started.
    void closeInputs();

    Process::Child& client() { return client_; }
    Process::Child& decompressor() { return decompressor_; }
    const QProcessEnvironment& clientEnvironment() const { return clientEnvironment_; }

private:
    const DockerClient tools_;
    const MysqlInvocation invocation_;
    const QProcessEnvironment environment_;
    const QProcessEnvironment clientEnvironment_;
    UniqueFd clientInput_;
    UniqueFd clientOutput_;
    UniqueFd clientErrors_;
    UniqueFd decompressorInput_;
    UniqueFd decompressorErrors_;
    UniqueFd decompressorErrorsWriter_;
    // Declared last: destroyed first, so children are stopped while the pipes still exist.
    Process::Child decompressor_;
    Process::Child client_;
};
