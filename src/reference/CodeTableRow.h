#pragma once

// A row of a table the program carries (regions, kinds of document): a numeric code and its name.
struct CodeTableRow {
    int Code;
    const char* Name;
};
