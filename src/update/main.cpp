#include "update/UpdateApp.h"

int main(int argc, char** argv)
{
    qelupdate::CAppCustom app;
    return app.StartApp(argc, argv, "ui_qelproxy_main_abcxyz", "main.qml", 0);
}
