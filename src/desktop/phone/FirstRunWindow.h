#pragma once

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

class QPushButton;

namespace vq {

// What the phone shows when it was started where there is no classroom folder, as from the desktop
// menu in the home folder: what a classroom folder is, and two ways on: choose one, or try the
// sample classroom that comes with the program in a copy of the pupil's own.
class FirstRunWindow final : public QWidget {
    Q_OBJECT
public:
    // Asks the pupil for a folder; empty when they chose none.
    using FolderQuestion = std::function<QString(QWidget* parent)>;

    struct Places {
        std::filesystem::path lookedIn;                // the folder without data/
        bool wasGiven = false;                          // on the command line, not the current folder
        std::optional<std::filesystem::path> bundled;   // the sample that comes with the program
        std::filesystem::path sampleCopy;               // where the pupil's copy of it goes
    };

    FirstRunWindow(Places places, FolderQuestion askForFolder);

signals:
    // The classroom folder to start the phone in.
    void classroomChosen(const std::filesystem::path& folder);
    // Closed without choosing: the program ends.
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ChooseFolder();
    void TrySample();
    void Choose(const std::filesystem::path& folder);
    void Tell(const QString& message);

    Places places_;
    FolderQuestion askForFolder_;
    bool chosen_ = false;
};

// The system's folder dialog, starting in the pupil's home folder.
[[nodiscard]] QString AskForClassroomFolder(QWidget* parent);

} // namespace vq
