#include "AppCustom.h"

int main(int argc, char** argv)
{
    CAppCustom app;
    return app.StartApp(argc, argv, "ui_qelproxy_main_abcxyz", "main.qml", 1);
}
