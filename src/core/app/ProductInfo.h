#pragma once

// The product's home page; anchor samples of the preview and the Help menu link to it.
// A placeholder until the project has an address of its own.
inline constexpr char kHomePageAddress[] = "https://stylograf.example/";

// Where users write to, with the subject and greeting of a new message.
inline constexpr char kContactMail[]
    = "mailto:kontakt@stylograf.example?subject=Stylograf&body=Hallo%20Stylograf-Team%2C";

// The web links of the Help menu, in the menu's order.
inline constexpr const char *kWebLinks[] = {
    "https://www.edition-w3.de/TR/1999/REC-html401-19991224/", // HTML 4.01, German translation
    "https://www.edition-w3.de/TR/1998/REC-CSS2-19980512/", // CSS 2, German translation
    "https://wiki.selfhtml.org/wiki/Startseite", // SELFHTML
    "https://developer.mozilla.org/de/docs/Learn/CSS/First_steps",
    "https://www.mediaevent.de/css/",
    "https://www.w3schools.com/css/",
    "https://www.css4you.de/",
    "https://validator.w3.org/",
    "https://jigsaw.w3.org/css-validator/",
};
