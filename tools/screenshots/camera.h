#pragma once
// What every picture shares: the folder the pictures go to, and the editor started on an in-memory settings store
// with every prompt answered by script, so a question nobody expected stops the program loudly.

#include "shell/vorlane_application.h"

#include <QDir>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

namespace vorlane {
class CMainFrame;
class CMirevoView;
namespace ui {
class PaneListView;
}
} // namespace vorlane

namespace vorlane::screenshots {

// What the command line gives a scene besides the folder.
struct SceneInput {
    QString file; // the channel list to open
    QSize size;   // the window's size, when given
};

class Camera {
public:
    explicit Camera(const QString& folder) : mFolder(folder) {}
    // Shows the window and writes its picture under `name`; a failure is reported and remembered.
    void Take(QWidget& window, const QString& name);
    void Save(const QPixmap& picture, const QString& name);
    // Takes the picture of the next dialog while it is open, closes it with Cancel, and runs `open` to open it.
    void TakeOpened(const QString& name, const std::function<void()>& open);
    bool AllSaved() const { return m_allSaved; }

private:
    QDir mFolder;
    bool m_allSaved = true;
};

class Editor {
public:
    Editor();
    bool Started() const { return m_started; }
    // File > Open with `file` chosen in the file dialog; false when nothing was opened.
    bool Open(const QString& file);
    // What a click on the row does.
    void Choose(ui::PaneListView& pane, int row);
    CMainFrame& Frame();
    CMirevoView& View();

private:
    VorlaneApplication m_application;
    bool m_started = false;
};

// Handles events until `done` holds or a minute has passed; returns done().
bool RunEventsUntil(const std::function<bool()>& done);

// The scenes, each writing its pictures into the camera's folder; false when one could not be set up.
bool DialogScene(Camera& camera, const SceneInput& input);
bool EditorScene(Camera& camera, const SceneInput& input);
bool ListToolScene(Camera& camera, const SceneInput& input);
bool LoaderScene(Camera& camera, const SceneInput& input);

} // namespace vorlane::screenshots
