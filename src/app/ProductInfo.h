#pragma once

// The product's home page; anchor samples of the preview link to it.
inline constexpr char kHomePageAddress[] = "https://stylograf.example/";
