// SPDX-License-Identifier: GPL-3.0-or-later
// The application, which builds the main window and its frame before the toolkit runs it.
#pragma once

#include "platform/frame.h"

class TDrawApp : public TApplication {
  public:
    void InitMainWindow() override;
};
