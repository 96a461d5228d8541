// The client itself (its registrations and main.qml) with hooks for tests across
// processes. "--no-folder" leaves the single-instance channel no usable folder.
#include "AppCustom.h"

class ClientProbe : public CAppCustom
{
public:
    explicit ClientProbe(bool bNoFolder)
    {
        if (bNoFolder)
            m_listChannelFolders = {{"TMPDIR", "/nonexistent/qel"}, {"Qt's default", ""}};
    }
};

int main(int argc, char** argv)
{
    bool bNoFolder = false;
    for (int i = 1; i < argc; ++i)
        bNoFolder = bNoFolder || qstrcmp(argv[i], "--no-folder") == 0;
    ClientProbe app(bNoFolder);
    return app.StartApp(argc, argv, "ui_qelproxy_probe", "main.qml", 1);
}
