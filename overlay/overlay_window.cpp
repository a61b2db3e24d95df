#include "overlay/overlay_window.h"

#include "app/close_flows.h"
#include "overlay/topmost_keeper.h"

runtime::Form OverlayWindow{{
    L"Vireshade - 屏幕",
    {50, 50, 380, 250},
    WS_POPUP,
    /*centred=*/true,
    /*taskbarButton=*/false,
    /*escCloses=*/true,
    {},
    OnOverlayWindowCreated,
    OnOverlayWindowCanClose,
}};

void OnOverlayWindowCreated() {
  StartTopmostKeeper(OverlayWindow.Handle());
  // Nothing of the overlay shows until the first repaint stretches it over the screen.
  OverlayWindow.SetTop(0);
  OverlayWindow.SetLeft(0);
  OverlayWindow.SetWidth(0);
  OverlayWindow.SetHeight(0);
}
