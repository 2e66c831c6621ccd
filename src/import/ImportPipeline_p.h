#pragma once

#include <QProcessEnvironment>

#include "docker/DockerClient.h"
#include "import/ImportCommand.h"
#include "posix/Process.h"
#include "posix/UniqueFd.h"

// The children of one import and the descriptors between them: the client, `docker exec -i
// … mysql`, and for a compressed dump a decompressor that reads the file and whose output
// comes back here. Only this program writes the client's input, so only it decides when the
// client sees its end.
class ImportPipeline {
public:
    ImportPipeline(const DockerClient& tools, const ImportRequest& request, const MysqlInvocation& invocation);

    // Starts the client with pipes for its input, output and error output. Throws
    // Process::LaunchError.
    void startClient();
    // Starts the decompressor on the dump file; its output is decompressedOutput(). Throws
    // Process::LaunchError.
    void startDecompressor(const QString& program, const QStringList& arguments, int dumpFile);
    // A plain dump is read here directly.
    void feedClientDirectly();

    // The output pipes, for the reader; gzip's error pipe is made with the client's and ends
    // at once when there is no gzip.
    UniqueFd takeClientOutput() { return std::move(clientOutput_); }
    UniqueFd takeClientErrors() { return std::move(clientErrors_); }
    UniqueFd takeDecompressorErrors() { return std::move(decompressorErrors_); }

    // Non-blocking once the dump flows.
    int clientInput() const { return clientInput_.get(); }
    // The decompressor's output, non-blocking.
    int decompressedOutput() const { return decompressedOutput_.get(); }
    void closeDecompressedOutput() { decompressedOutput_.reset(); }
    void closeClientInput() { clientInput_.reset(); }
    // Every input this program still holds, and the decompressor's output.
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
    UniqueFd decompressedOutput_;
    UniqueFd decompressorErrors_;
    UniqueFd decompressorErrorsWriter_;
    // Declared last: destroyed first, so children are stopped while the pipes still exist.
    Process::Child decompressor_;
    Process::Child client_;
};
