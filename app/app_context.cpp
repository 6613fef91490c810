#include "app/app_context.h"

namespace volmere {

Text SelectedEntryText(AppContext& ctx) {
  return ctx.sys.ListSelected(ctx.mainWindow, "computerList").text;
}

}  // namespace volmere
