#include "app/draw_app.h"

int main() {
    TDrawApp app;
    return app.Run();
}
