6
0, span
2.5, span
4, "quoted, with comma"
11.5, 
20.5, span
29.5, span

2
1, 1, 1, 
6, 1, 0, x
2
2E8, 
2.1e+11, "quoted, with comma"
1
8.5E-6, "quoted, with comma"
5
1, 2, 1, 1, span
2, 3, 1, 1, 
3, 4
1, 1, x
4, 5, 2, 1, span
5, 6, 1, 1, span
0
2
2, -1, 1, 
4, 0, 0, "quoted, with comma"
