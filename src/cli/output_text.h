#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <memory>
#include <string_view>

namespace zrl {

// OUTPUT, written a part at a time: a file that replaces the old one only once it is whole,
// or standard output where the path is "" or "-", as converters take it. Nothing is opened
// before the first part, so that a conversion that fails first leaves no file behind.
class OutputText {
public:
    explicit OutputText(const QString& path) : path_(path) {}

    void Write(std::string_view part);
    // Whether all of it was written; if not, says so on standard error.
    bool Finish();

private:
    bool Open();
    bool ToStandardOutput() const { return path_.isEmpty() || path_ == QLatin1String("-"); }

    QString path_;
    std::unique_ptr<QFileDevice> file_;
    bool failed_ = false;
};

}  // namespace zrl
