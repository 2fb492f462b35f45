#pragma once

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QHBoxLayout;

namespace vq {

// What a program shows when it was started where there is no classroom folder, as from the desktop
// menu in the home folder: what a classroom folder is, and the ways on: choose one, try the sample
// classroom that comes with the programs in a copy of the user's own, and whatever else the program
// offers (the teacher's console makes new classroom folders). Both programs show it alike, each in
// its own words.
class FirstRunWindow final : public QWidget {
    Q_OBJECT
public:
    // Asks the user for a folder, under the given title; empty when they chose none.
    using FolderQuestion = std::function<QString(QWidget* parent, const QString& title)>;

    struct Places {
        std::filesystem::path lookedIn;                // the folder without data/
        bool wasGiven = false;                          // on the command line, not the current folder
        std::optional<std::filesystem::path> bundled;   // the sample that comes with the programs
        std::filesystem::path sampleCopy;               // where the user's copy of it goes
    };

    // The program's own words.
    struct Wording {
        QString about;        // what a classroom folder is, to this program's user
        QString trySample;    // the sample's button
        QString sampleNote;   // under the buttons; %1 is where the copy goes
        QString forAdmins;    // how to start the program on a folder directly
    };

    // A further way on, between choosing a folder and the sample: a button that gives the
    // classroom folder to start on, or nothing (having told the user why, or cancelled).
    struct Choice {
        QString text;
        QString objectName;
        std::function<std::optional<std::filesystem::path>(FirstRunWindow& screen)> take;
    };

    FirstRunWindow(Places places, Wording wording, FolderQuestion askForFolder, std::vector<Choice> more = {});

    // A window-modal box that does not wait: the event loop (and a test) goes on while it is open.
    void Tell(const QString& message);
    // The question the screen asks for folders, for the further choices.
    [[nodiscard]] QString AskForFolder(const QString& title) { return askForFolder_(this, title); }

signals:
    // The classroom folder to start the program on.
    void classroomChosen(const std::filesystem::path& folder);
    // Closed without choosing: the program ends.
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AddButton(QHBoxLayout* row, const QString& text, const QString& objectName,
                   const std::function<std::optional<std::filesystem::path>()>& take);
    std::optional<std::filesystem::path> ChooseFolder();
    std::optional<std::filesystem::path> TrySample();
    void Choose(const std::filesystem::path& folder);

    Places places_;
    FolderQuestion askForFolder_;
    bool chosen_ = false;
};

// The system's folder dialog, starting in the user's home folder.
[[nodiscard]] QString AskForFolderWithDialog(QWidget* parent, const QString& title);

} // namespace vq
