#include "VokabitApp.h"

int main(int argc, char** argv) {
  CVokabitApp app(argc, argv);
  app.InitInstance();
  return app.ExitInstance();
}
