#include <fcntl.h>

#include "import/ImportPipeline_p.h"

namespace {

constexpr int kPipeBytes = 1 << 20;  // fewer wake-ups per megabyte; if refused, the default serves

void makeNonBlocking(int fd) { ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK); }

}  // namespace

ImportPipeline::ImportPipeline(const DockerClient& tools, const ImportRequest& request,
                               const MysqlInvocation& invocation)
    : tools_(tools),
      invocation_(invocation),
      environment_(DockerClient::processEnvironment()),
      // Only the client gets the password, in its environment; docker forwards it by name.
      clientEnvironment_(ImportCommand::clientEnvironment(request, environment_)) {}

void ImportPipeline::startClient() {
    Process::Pipe input = Process::makePipe();
    Process::Pipe output = Process::makePipe();
    Process::Pipe errors = Process::makePipe();
    Process::Pipe decompressorErrors = Process::makePipe();
    ::fcntl(input.writeEnd.get(), F_SETPIPE_SZ, kPipeBytes);
    client_ = Process::Child::start({tools_.docker, invocation_.arguments, clientEnvironment_, input.readEnd.get(),
                                     output.writeEnd.get(), errors.writeEnd.get()});
    clientInput_ = std::move(input.writeEnd);
    clientOutput_ = std::move(output.readEnd);
    clientErrors_ = std::move(errors.readEnd);
    decompressorErrors_ = std::move(decompressorErrors.readEnd);
    decompressorErrorsWriter_ = std::move(decompressorErrors.writeEnd);
}

void ImportPipeline::startDecompressor(const QString& program, const QStringList& arguments, int dumpFile) {
    Process::Pipe output = Process::makePipe();
    ::fcntl(output.writeEnd.get(), F_SETPIPE_SZ, kPipeBytes);
    decompressor_ = Process::Child::start(
        {program, arguments, environment_, dumpFile, output.writeEnd.get(), decompressorErrorsWriter_.get()});
    decompressorErrorsWriter_.reset();
    decompressedOutput_ = std::move(output.readEnd);
    makeNonBlocking(decompressedOutput_.get());
    makeNonBlocking(clientInput_.get());
}

void ImportPipeline::feedClientDirectly() {
    decompressorErrorsWriter_.reset();
    makeNonBlocking(clientInput_.get());
}

void ImportPipeline::closeInputs() {
    decompressedOutput_.reset();
    decompressorErrorsWriter_.reset();
    clientInput_.reset();
}
