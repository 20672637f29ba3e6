#pragma once

#include <filesystem>

#include "ui/ports.h"

// The three trading buttons of Form4; each runs one whole trading click.
namespace vekselgrad {

void sellClick(const std::filesystem::path& folder, Ports& ports);  // Command1 "Продажа"
void buyClick(const std::filesystem::path& folder, Ports& ports);   // Command2 "Скупка"
void skipClick(const std::filesystem::path& folder, Ports& ports);  // Command3 "Неучастие"

}  // namespace vekselgrad
