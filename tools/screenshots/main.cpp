// Writes pictures of the editor for the documentation into a folder (scripts/screenshots.sh runs every scene):
//   vorlane-screenshots <scene> <folder> [<channel list>] [<width>x<height>]
// Run with QT_QPA_PLATFORM=offscreen or under a virtual display; the pictures speak the language of LANG.
#include "camera.h"
#include "shell/translations.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

struct Scene {
    const char* name;
    bool (*take)(vorlane::screenshots::Camera&, const vorlane::screenshots::SceneInput&);
};

constexpr Scene kScenes[] = {{"dialogs", vorlane::screenshots::DialogScene},
                             {"editor", vorlane::screenshots::EditorScene},
                             {"list-tools", vorlane::screenshots::ListToolScene},
                             {"loader", vorlane::screenshots::LoaderScene}};

int Usage() {
    std::fprintf(stderr, "usage: vorlane-screenshots dialogs|editor|list-tools|loader <folder> [<channel list>] "
                         "[<width>x<height>]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    vorlane::ui::InstallTranslations();
    if (argc < 3 || argc > 5)
        return Usage();
    vorlane::screenshots::SceneInput input;
    if (argc > 3)
        input.file = QString::fromLocal8Bit(argv[3]);
    if (argc > 4) {
        const QStringList size = QString::fromLatin1(argv[4]).split(QLatin1Char('x'));
        if (size.size() != 2)
            return Usage();
        input.size = QSize(size[0].toInt(), size[1].toInt());
    }
    for (const Scene& scene : kScenes) {
        if (std::strcmp(scene.name, argv[1]) != 0)
            continue;
        vorlane::screenshots::Camera camera(QString::fromLocal8Bit(argv[2]));
        return scene.take(camera, input) && camera.AllSaved() ? 0 : 1;
    }
    return Usage();
}
