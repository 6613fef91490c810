#include "remote/connection_template.h"

namespace volmere {

const char ConnectionTemplate[] =
    "screen mode id:i:2\r\n"
    "desktopwidth:i:1280\r\n"
    "desktopheight:i:800\r\n"
    "session bpp:i:16\r\n"
    "winposstr:s:0,3,0,0,800,600\r\n"
    "full address:s:%服务器地址%\r\n"
    "compression:i:1\r\n"
    "keyboardhook:i:2\r\n"
    "audiomode:i:1\r\n"
    "redirectdrives:i:0\r\n"
    "redirectprinters:i:0\r\n"
    "redirectcomports:i:0\r\n"
    "%磁盘%\r\n"
    "displayconnectionbar:i:1\r\n"
    "autoreconnection enabled:i:1\r\n"
    "username:s:%账号%\r\n"
    "alternate shell:s:\r\n"
    "shell working directory:s:\r\n"
    "%密码%\r\n"
    "disable wallpaper:i:1\r\n"
    "disable full window drag:i:1\r\n"
    "disable menu anims:i:1\r\n"
    "disable themes:i:0\r\n"
    "disable cursor setting:i:0\r\n"
    "bitmapcachepersistenable:i:1\r\n"
    "use multimon:i:0\r\n"
    "audiocapturemode:i:0\r\n"
    "videoplaybackmode:i:2\r\n"
    "connection type:i:2\r\n"
    "allow font smoothing:i:0\r\n"
    "allow desktop composition:i:0\r\n"
    "redirectclipboard:i:1\r\n"
    "redirectposdevices:i:0\r\n"
    "redirectdirectx:i:1\r\n"
    "%智能卡%\r\n"
    "authentication level:i:0\r\n"
    "prompt for credentials:i:0\r\n"
    "negotiate security layer:i:1\r\n"
    "remoteapplicationmode:i:0\r\n"
    "gatewayhostname:s:\r\n"
    "gatewayusagemethod:i:4\r\n"
    "gatewaycredentialssource:i:4\r\n"
    "gatewayprofileusagemethod:i:0\r\n"
    "promptcredentialonce:i:1\r\n"
    "use redirection server name:i:0";

// The marker names of lines 13 and 35 are crossed over in the template
// (the disk marker gives the smart-card line and back); the client reads the
// two lines the same either way, so the written files keep that pairing.
Text FillConnectionTemplate(const Text& userName, const Text& computer,
                            const Text& protectedPassword) {
  Text text = ConnectionTemplate;
  text = ReplaceText(text, "%账号%", userName, false);
  text = ReplaceText(text, "%服务器地址%", computer + ":" + "3389", false);
  if (!protectedPassword.empty()) {
    text = ReplaceText(text, "%密码%", "password 51:b:" + protectedPassword, false);
  }
  text = ReplaceText(text, "%磁盘%", "redirectsmartcards:i:1", false);
  text = ReplaceText(text, "%智能卡%", "drivestoredirect:s:", false);
  return text;
}

}  // namespace volmere
