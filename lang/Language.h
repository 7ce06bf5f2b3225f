#pragma once

// The message texts of the current language.
struct TLanguage {};
