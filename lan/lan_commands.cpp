#include "app/command_table.h"
#include "lan/list_interactions.h"
#include "lan/refresh.h"

namespace volmere {

void RegisterLanCommands(CommandTable& table) {
  table["computerList.Click"] = OnListClick;
  table["computerList.DoubleClick"] = OnListDoubleClick;
  table["computerList.RightClick"] = OnListRightClick;
  table["viewByIpItem"] = ShowAddressesCommand;
  table["viewByNameItem"] = ShowNames;
  table["pingComputerItem"] = PingSelectedComputer;
  table["refreshButton"] = StartRefreshComputerList;
}

}  // namespace volmere
