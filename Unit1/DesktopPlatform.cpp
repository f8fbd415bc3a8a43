#include "DesktopPlatform.h"

#include "ErrorBox.h"
#include "GameSound.h"
#include "TableHiScores.h"
#include "Unit1.h"

namespace zunpeko {

std::unique_ptr<FormSound> DesktopPlatform::MakeSound(TForm1& window) {
    return std::make_unique<GameSound>(
        [&window](const PlatformError& error) { ShowErrorBox(&window, error.Text()); });
}

std::unique_ptr<FormHiScores> DesktopPlatform::MakeHiScores(TForm1& window) {
    return std::make_unique<TableHiScores>(
        window, HiScoreLabels{.names = {window.Label6, window.Label7, window.Label8},
                              .scores = {window.Label9, window.Label10, window.Label11}});
}

}  // namespace zunpeko
