// The example products a benchmark runs on. Each product gets a device root
// of its own, laid out as on the camera: its name in /tmp/sysinfo/dev_name,
// and a copy of /usr and /dev of the example tree, so that CAP_CapInit finds
// its files exactly as it would on the device.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Product {
    std::string name;                // device name = product folder
    std::string root;                // this product's device root
    std::vector<std::string> files;  // host paths of every file start-up parses, in order
    int initResult = 0;              // CAP_CapInit's result on this product
};

// A benchmark's command line: --root=TREE sets *pTree, own() takes the
// program's own options (true for a word it knows), Google Benchmark the
// rest. False, with its message, when an argument is nobody's.
bool TakeArguments(int argc, char **argv, std::string *pTree, const std::function<bool(const char *)> &own);

// Every product folder (holding hardwareindex.json) under TREE/usr/bin, each
// with its own device root under a temporary directory. Start-up is run once
// on each to learn which files it parses.
std::vector<Product> DiscoverProducts(const std::string &tree);

// The product folders (holding hardwareindex.json) under TREE/usr/bin, sorted.
std::vector<std::string> ProductNames(const std::string &tree);

// A tree of many products, for the benchmarks of whole trees: TREE's shared
// capability files, tag and serial number, and each of its product folders
// copied iCopies times as PRODUCT-1 ... PRODUCT-iCopies. Made under the
// temporary directory as NAME; empty when it cannot be made.
std::string MakeManyProductTree(const std::string &tree, const std::string &name, int iCopies);

// The host paths of the files the last start-up parsed, in order, from the
// paths it stored in the record (under ROOT).
std::vector<std::string> ParsedFiles(const std::string &root);

// Point the library and the platform at a product's root and run start-up.
int InitProduct(const Product &product);

// Parse and release each file, as json-c alone would: the floor of start-up.
void ParseFiles(const std::vector<std::string> &files);

// The reads start-up makes besides parsing, done without the library: the
// device-name file and the identity block of the tag through the platform.
// (Its existence tests cost nothing more: each file found stays open for its
// parser.) Added to the floor, they give what any implementation of the
// sequence must pay.
void IdentityReads(const Product &product);

// Remove the temporary roots and trees.
void RemoveProductRoots();

}  // namespace bench
