2
0, span
3.5, span

2
1, 1, 0, x
2, 1, 0, 
2
2.1e+11, 
2E8, span
1
8.5E-6, "quoted, with comma"
1
1, 2, 2, 1, x
0
2
1
2, 3, x
2, 3, 3, "quoted, with comma"
