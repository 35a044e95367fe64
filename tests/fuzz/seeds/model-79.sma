2
0, "quoted, with comma"
9.5, "quoted, with comma"
2
1, 1, 1, "quoted, with comma"
2, 1, 0, span
2
2.1e+11, 
2E8, 
1
8.5E-6, 
1
1, 2, 1, 1, span

4
1, 1, -2, 1, 0, 0.25, span
1, 1, 8, -1, 0, 0.5, span
1, 4, 10, 7, 0.5, 0.5, 
1
4, 14, 3, 0.5, 0.5, 
0
