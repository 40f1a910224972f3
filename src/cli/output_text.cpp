#include "output_text.h"

#include <cstdio>

#include "say.h"

namespace zrl {

bool OutputText::Open() {
    if (file_ != nullptr || failed_) {
        return !failed_;
    }
    if (ToStandardOutput()) {
        auto out = std::make_unique<QFile>();
        failed_ = !out->open(stdout, QIODevice::WriteOnly);
        file_ = std::move(out);
    } else {
        file_ = std::make_unique<QSaveFile>(path_);
        failed_ = !file_->open(QIODevice::WriteOnly);
    }
    return !failed_;
}

void OutputText::Write(std::string_view part) {
    const auto size = static_cast<qint64>(part.size());
    if (Open() && file_->write(part.data(), size) != size) {
        failed_ = true;
    }
}

bool OutputText::Finish() {
    const bool written = Open() && !failed_;
    auto* save = dynamic_cast<QSaveFile*>(file_.get());
    if (written && (save == nullptr || save->commit())) {
        return true;
    }
    // Standard output's refusals were never said; a file's name its reason.
    if (save != nullptr) {
        Say(QStringLiteral("%1: %2").arg(path_, save->errorString()));
    }
    return false;
}

}  // namespace zrl
