#include "driver/driver.h"
#include "platform/console.h"
#include "platform/process.h"

int main(int argc, char** argv) {
  int status = bcd::run(bcd::platform::program_path(argc > 0 ? argv[0] : nullptr),
                        bcd::platform::arguments(argc, argv));
  bcd::platform::console_flush();
  return status;
}
