namespace tarvel {}
