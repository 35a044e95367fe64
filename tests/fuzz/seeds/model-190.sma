3
0, "quoted, with comma"
5.5, x
12.5, x
2
1, 1, 0, x
3, 1, 0, x
1
2.1e+11, "quoted, with comma"
1
8.5E-6, x
2
1, 2, 1, 1, x
3, 2, 1, 1, 
0
2
1, 0, 3, 
3, 2, 2, 
