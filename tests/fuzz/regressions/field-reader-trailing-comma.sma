;2
0, spm a"