// The maker's texts and the settings header live apart from the package
// blocks, so that the player links them without holding its own bytes.

#include "package/menu_package.h"

#define MAKER_DOMAIN "vyr.example"
#define MAKER_ADDRESS "http://" MAKER_DOMAIN "/"
#define MAKER_NOTICE "VYR软件工作室版权所有，保留一切权利"

const char* const headerNotice = MAKER_NOTICE;
const char* const headerAddress = MAKER_ADDRESS;
const char* const makerDomain = MAKER_DOMAIN;

const char* const settingsHeader[settingsHeaderLineCount] = {
    ";VYR光盘自动播放菜单程序",
    ";" MAKER_NOTICE,
    ";" MAKER_ADDRESS,
    ";配置程序时请勿更改本行及以上信息，否则将会导致程序运行错误",
    "【基本设置】",
};
