#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Holds the user's lock on running Lexado: while one copy runs, a second one started by the
// same user finds the lock taken and ends. The lock lives in the user's runtime folder and is
// released when the process ends, however it ends.
// The user's runtime folder; without one, a folder of the user's own under the temporary
// folder, so that the lock stays per user.
QString UserRuntimeFolder();

class SingleCopy {
public:
    explicit SingleCopy(const QString& runtimeFolder);

    // True when this process is the only copy running for the user.
    bool IsOnlyCopy() const { return held_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};
