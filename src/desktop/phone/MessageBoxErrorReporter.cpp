#include "desktop/phone/MessageBoxErrorReporter.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace vq {

void MessageBoxErrorReporter::Report(const std::string& utf8Message) {
    std::fprintf(stderr, "velquinlan: %s\n", utf8Message.c_str());
    auto* box = new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                                QString::fromStdString(utf8Message), QMessageBox::Ok, owner_.data());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace vq
