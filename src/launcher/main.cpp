// Entry point: hands control to the application object, as the dialog
// framework does. The process ends when InitInstance returns.
#include "framework/app.h"
#include "launcher/orvo_app.h"

static COrvoApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return AfxWinMain(instance, showCommand);
}
