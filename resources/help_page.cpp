#include "resources/help_page.h"

namespace volmere {

// The page is declared gb2312, which browsers read as code page 936, the
// encoding the compiler gives this literal.
const char* const kHelpPageHtml = R"html(<!DOCTYPE html>
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>Volmere 帮助</title>
<style>
body { font-family: "宋体", sans-serif; font-size: 14px; line-height: 1.6; margin: 24px; color: #222; }
h1 { font-size: 22px; color: #1a4e9c; }
h2 { font-size: 17px; color: #1a4e9c; border-bottom: 1px solid #c8d4e8; padding-bottom: 2px; margin-top: 28px; }
table { border-collapse: collapse; margin: 8px 0; }
th, td { border: 1px solid #c8d4e8; padding: 4px 10px; text-align: left; vertical-align: top; }
th { background: #eef3fb; }
.note { color: #8a4b00; }
</style>
</head>
<body>
<h1>Volmere 局域网共享助手 使用帮助</h1>
<p>Volmere 帮助您看到局域网里的其他电脑，打开它们共享的文件夹，并把本机的文件夹或磁盘共享给别人。
很多操作会修改系统设置，请用管理员身份运行本软件。</p>

<h2>一、通常的使用顺序</h2>
<ol>
<li><b>打开共享。</b>点击“共享设置”按钮，在“共享设置”页选择“（推荐）开启局域网共享”
（访问本机不需要密码），或者选择需要用户名和密码的方式，再点击“完成设置”，
让局域网里的其他电脑能够访问本机。</li>
<li><b>共享文件夹。</b>点击“一键共享文件夹”按钮，选择要共享的文件夹或整个磁盘，确认后即可共享。</li>
<li><b>设置权限。</b>点击“设置文件夹权限”按钮，选择文件夹，再选择完全控制、只读、可读写或关闭访问，
决定别人对这个文件夹能做什么。</li>
<li><b>访问别的电脑。</b>在主窗口的电脑列表里点击一台彩色图标的电脑，就会打开它共享的文件夹。</li>
</ol>

<h2>二、主窗口</h2>
<p>主窗口的标题显示公司名称、本机的计算机名和工作组。上方的列表显示本机、本工作组的电脑以及其他工作组的电脑。
彩色图标表示这台电脑能 ping 通，灰色图标表示它还没有应答。</p>
<table>
<tr><th>按钮或控件</th><th>作用</th></tr>
<tr><td>电脑列表</td><td>点击（或按设置双击）一台彩色图标的电脑，打开它的共享文件夹；点击右键弹出菜单（见下一节）。</td></tr>
<tr><td>蓝色提示文字</td><td>显示列表的获取进度；点击它打开本帮助页。</td></tr>
<tr><td>自动关闭</td><td>勾选后，打开一台电脑的共享文件夹时本软件自动关闭；不勾选则保持打开。下次启动时仍按这次的选择。</td></tr>
<tr><td>ping获取列表</td><td>当网上邻居里看不到电脑时，输入一个地址段，逐个 ping 该网段的地址，把应答的电脑加入列表。</td></tr>
<tr><td>刷新列表</td><td>重新获取局域网里的电脑。获取过程中按钮显示“刷新中...”，不能点击。</td></tr>
<tr><td>本机共享列表</td><td>列出本机已经共享的文件夹和磁盘，可以删除不再需要的共享。</td></tr>
<tr><td>一键共享文件夹</td><td>选择一个文件夹或磁盘，一步把它共享到局域网。</td></tr>
<tr><td>共享打印机</td><td>打开 Windows 的“打印机”文件夹，在那里共享打印机。</td></tr>
<tr><td>设置文件夹权限</td><td>为一个文件夹及其子文件夹设置局域网用户的访问权限：完全控制、只读、可读写或关闭。</td></tr>
<tr><td>共享设置</td><td>打开设置窗口：开启或关闭本机的局域网共享、设置访问密码、修改计算机名、工作组和公司名称、
选择单击还是双击打开电脑、允许远程桌面连接等。</td></tr>
</table>

<h2>三、右键菜单</h2>
<p>在电脑列表上点击右键，会弹出下面的菜单。</p>
<table>
<tr><th>菜单项</th><th>作用</th></tr>
<tr><td>以IP方式查看</td><td>列表中显示每台电脑的 IP 地址，而不是计算机名。</td></tr>
<tr><td>以计算机名方式查看</td><td>列表中重新显示计算机名（按 IP 方式查看时才出现）。</td></tr>
<tr><td>ping一下此计算机</td><td>在命令窗口里 ping 选中的电脑，查看网络是否畅通。</td></tr>
<tr><td>远程链接到此计算机桌面</td><td>用 Windows 远程桌面连接到选中的电脑，可以保存这台电脑的密码。</td></tr>
<tr><td>查看本机共享资源</td><td>与“本机共享列表”按钮相同。</td></tr>
<tr><td>ping获取列表</td><td>与“ping获取列表”按钮相同。</td></tr>
<tr><td>一键共享文件夹或磁盘</td><td>与“一键共享文件夹”按钮相同。</td></tr>
<tr><td>更改本机计算机名</td><td>输入新的计算机名，重新启动电脑后生效。</td></tr>
<tr><td>更改公司名称</td><td>输入公司名称，它显示在主窗口标题的最前面。</td></tr>
<tr><td>共享设置</td><td>与“共享设置”按钮相同。</td></tr>
<tr><td>帮助</td><td>打开本帮助页。</td></tr>
<tr><td>关于</td><td>显示本软件的版本信息。</td></tr>
</table>

<h2>四、常见问题</h2>
<ul>
<li>列表里看不到别的电脑：确认各电脑在同一个工作组，并都已开启局域网共享；也可以用“ping获取列表”。</li>
<li>电脑图标一直是灰色：这台电脑没有应答 ping，可能已关机，或者防火墙阻止了 ping。</li>
<li>打开别的电脑时要求输入密码：对方开启共享时设置了访问密码，请向对方索取。</li>
<li class="note">修改计算机名、工作组或共享设置后，有些改动需要重新启动电脑才能生效。</li>
</ul>
</body>
</html>
)html";

}  // namespace volmere
