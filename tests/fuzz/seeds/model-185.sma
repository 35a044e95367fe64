5
0, "quoted, with comma"
6, x
14.5, span
20, x
24.5, 
2
1
1, 1, span
5, 1, 0, x
1
2E8, 

2
8.5E-6, x
8.5E-6, 
4
2, 1, 1, 2, "quoted, with comma"
2, 3, 1, 1, x
3, 4, 1, 2, 
4, 5, 1, 2, 
1
4, 2
10, 6, 1, 0, span

1
2, -5
3, x
