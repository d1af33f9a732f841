#pragma once

#include <cstddef>
#include <cstdint>

// The main dialog's control initialisation data: how its hosted chart starts.
inline constexpr std::size_t PLOT_DIALOG_INIT_SIZE = 196;
extern const std::uint8_t PLOT_DIALOG_INIT[PLOT_DIALOG_INIT_SIZE];
