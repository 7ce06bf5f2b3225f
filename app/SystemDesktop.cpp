#include "app/SystemDesktop.h"

#include "app/TALL.h"
#include "link/SystemPorts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString RunFileDialog(QWidget* parent, const QString& filter, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    // A data file may be picked by a typed name that does not exist yet; the
    // open then reports the failure itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString SystemDesktop::OpenFileName(QWidget* parent, const QString& filter) {
    return RunFileDialog(parent, filter, QFileDialog::AcceptOpen);
}

QString SystemDesktop::SaveFileName(QWidget* parent, const QString& filter) {
    return RunFileDialog(parent, filter, QFileDialog::AcceptSave);
}

bool SystemDesktop::RaiseHelp(const QString&) {
    return viewer_ && viewer_->state() != QProcess::NotRunning;
}

bool SystemDesktop::OpenHelp(const QString& file, const QString& caption) {
    // A compiled-help viewer started by us can be watched; the generic opener
    // hands the file over and exits at once.
    for (const char* program : {"xchm", "kchmviewer"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (path.isEmpty()) {
            continue;
        }
        viewer_ = std::make_unique<QProcess>();
        viewer_->setObjectName(caption);
        viewer_->start(path, {file});
        return viewer_->waitForStarted(3000);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

std::vector<std::string> SystemDesktop::AvailablePorts(const TALL& all) {
    std::vector<std::string> ports;
    EnumerateSystemPorts(&ports, LoadPortPins(all.AppDir).Pins);
    return ports;
}

std::string SystemDesktop::PortDevice(const TALL& all) {
    const auto number = PortNumberOf(all.ComPort);
    return number ? CurrentPortDirectory(all).DeviceOf(*number).value_or("") : "";
}
