#pragma once

#include "platform/frame.h"

class TDrawApp : public TApplication {
  public:
    void InitMainWindow() override;
};
