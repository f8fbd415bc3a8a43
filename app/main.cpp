#include <QApplication>

#include "ControlFont.h"
#include "Cp932.h"
#include "DisplayCheck.h"
#include "ErrorBox.h"
#include "Unit1.h"

int main(int argc, char* argv[]) {
    zunpeko::DisplayGuard guard;
    QApplication app(argc, argv);
    guard.Release();

    QApplication::setApplicationName(QStringLiteral("zunpeko"));
    QApplication::setDesktopFileName(QStringLiteral("zunpeko"));
    // Not the display name: Qt would append that to the window's title.
    zunpeko::SetApplicationTitle(zunpeko::SjisFromUtf8("ずんぺこ"));
    zunpeko::InstallFontSubstitutions();

    zunpeko::TForm1 form1;
    form1.show();
    return QApplication::exec();
}
