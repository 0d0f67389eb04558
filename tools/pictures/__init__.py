"""Drawing and file encoding for the pictures made by tools/make-pictures.py."""
