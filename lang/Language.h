#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

// The texts of the messages the program shows, each named by its key in the
// section [Language] of a language file. The built-in texts are Chinese; note
// the ASCII "!" in ModError and PwdError where the others end with "！".
struct TLanguage {
    std::string Confirmation = "提示";
    std::string ExitProgram = "确定要退出系统？";
    std::string SaveProgram = "是否保存数据？";
    std::string Channel = "信道";
    std::string Info = "信息";
    std::string OutRange = "频率超出范围！";
    std::string Caution = "注意";
    std::string FChBigT = "起始频道应小于结束频道！";
    std::string Close = "已关闭";
    std::string Open = "已启动";
    std::string ComError = "检查所有连接及通信端口设置！";
    std::string ModError = "机型错误!";
    std::string PwdError = "密码错误!";
    std::string ClearData = "是否清空数据？";
    std::string Modforce = "是否强制改写？";
    std::string All = "全部";
    std::string ErrRange = "频率出错！";
    std::string ModelType = "机型";
    std::string Frequency = "频率";
    std::string ReadOk = "读取完成！";
    std::string WriteOk = "写入完成！";
    std::string LPortError = "无法打开端口！";
};

// Every key of the section [Language] with the member it fills, in file order.
inline constexpr std::array<std::pair<std::string_view, std::string TLanguage::*>, 22> LanguageKeys{
    {
        {"Confirmation", &TLanguage::Confirmation},
        {"ExitProgram", &TLanguage::ExitProgram},
        {"SaveProgram", &TLanguage::SaveProgram},
        {"Channel", &TLanguage::Channel},
        {"Info", &TLanguage::Info},
        {"OutRange", &TLanguage::OutRange},
        {"Caution", &TLanguage::Caution},
        {"FChBigT", &TLanguage::FChBigT},
        {"Close", &TLanguage::Close},
        {"Open", &TLanguage::Open},
        {"ComError", &TLanguage::ComError},
        {"ModError", &TLanguage::ModError},
        {"PwdError", &TLanguage::PwdError},
        {"ClearData", &TLanguage::ClearData},
        {"Modforce", &TLanguage::Modforce},
        {"All", &TLanguage::All},
        {"ErrRange", &TLanguage::ErrRange},
        {"ModelType", &TLanguage::ModelType},
        {"Frequency", &TLanguage::Frequency},
        {"ReadOk", &TLanguage::ReadOk},
        {"WriteOk", &TLanguage::WriteOk},
        {"LPortError", &TLanguage::LPortError},
    }};

// The language file of a language: its name followed by ".Ini" in the program
// folder.
std::string LanguageFilePath(const std::string& appDir, const std::string& languageName);

// Fills every text from the language file; a missing file or key gives the
// built-in text.
void LoadLanguage(TLanguage& texts, const std::string& appDir, const std::string& languageName);
