// Registration of the benchmark groups.
#pragma once

#include <vector>

#include "products.h"

namespace bench {

// startup/PRODUCT: CAP_CapInit against json-c alone, per product.
void RegisterStartup(const std::vector<Product> &products);
// query/FAMILY/QUERY: on the record of this product.
void RegisterQueries(const Product &product);
// Under callgrind: count floor and start-up instructions of every product
// over iRounds rounds each, one dump per piece of work.
int CountInstructions(const std::vector<Product> &products, int iRounds);

}  // namespace bench
