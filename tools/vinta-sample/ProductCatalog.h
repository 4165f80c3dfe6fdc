#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Goods sold on the sample receipts, with price and tax rate letter.
class ProductCatalog {
public:
    struct Product {
        std::string name;        // CP1250
        std::int64_t priceCents; // unit price
        int rate;                // index into rates()
        bool weighed;            // sold by the kilogram
    };
    struct Rate {
        char letter;
        int percent;             // -1 for exempt ("zw")
        std::string label;       // CP1250, e.g. "23,00%"
    };

    ProductCatalog();

    const std::vector<Product> &products() const { return products_; }
    const std::vector<Rate> &rates() const { return rates_; }

private:
    std::vector<Product> products_;
    std::vector<Rate> rates_;
};
