#include "shell/App.h"

int main(int argc, char** argv)
{
    App app(argc, argv);
    app.Launch();
    return app.exec();
}
