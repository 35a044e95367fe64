3
0, span
3, x
12.5, x
2
1, 1, 1, span
3, 1, 0, span

2
2.1e+11, 
2.1e+11, 
1
8.5E-6, "quoted, with comma"
2
1, 2, 2, 1, x
3, 2, 2, 1, span
3
2, 1, 14, 8, 1, 0.25, 
1, 1, 3, 4, 0, 0.5, "quoted, with comma"
2, 1, -4, 3, 0.5
0, 
2
3, 3, 0, span
1, -1, 0, x
