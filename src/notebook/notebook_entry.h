#pragma once
// The notebook's entry point for the program's composition: one window,
// created once, without a parent. It opens (and if needed seeds) the
// database at once and loads the first page while still hidden.

class my_notebook;

my_notebook *create_notebook_window();
